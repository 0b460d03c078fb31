#pragma once

#include <memory>

#include "Form1.h"

// The main window as the rest of the program uses it: the first use creates
// it, hidden, and runs its whole load step before that use takes effect.
class Form1Instance {
  public:
    // `created` sees the new window before its load step runs.
    explicit Form1Instance(Form1Services services, std::function<void(Form1&)> created = {})
        : services_(std::move(services)), created_(std::move(created)) {}

    Form1& operator()() {
        if (!form_) {
            form_ = std::make_unique<Form1>(services_);
            if (created_) created_(*form_);
            form_->Form_Load();
        }
        return *form_;
    }

  private:
    Form1Services services_;
    std::function<void(Form1&)> created_;
    std::unique_ptr<Form1> form_;
};
