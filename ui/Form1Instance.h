#pragma once

#include <memory>

#include "ui/Form1.h"

// The main window as the rest of the program uses it: the first use creates
// it, hidden, and runs its whole load step before that use takes effect.
class Form1Instance {
  public:
    explicit Form1Instance(Form1Services services) : services_(std::move(services)) {}

    Form1& operator()() {
        if (!form_) {
            form_ = std::make_unique<Form1>(services_);
            form_->Form_Load();
        }
        return *form_;
    }

  private:
    Form1Services services_;
    std::unique_ptr<Form1> form_;
};
