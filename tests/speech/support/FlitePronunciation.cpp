#include "FlitePronunciation.h"

extern "C" {
#include <flite/flite.h>

cst_voice* register_cmu_us_rms(const char* voxdir);
}

namespace {

// flite's own steps as far as the phones, the voice's where it has its own;
// no sound is made.
const cst_synth_module kToPhones[] = {
    {"tokenizer_func", default_tokenization},
    {"textanalysis_func", default_textanalysis},
    {"pos_tagger_func", default_pos_tagger},
    {"phrasing_func", default_phrasing},
    {"lexical_insertion_func", default_lexical_insertion},
    {"pause_insertion_func", default_pause_insertion},
    {"postlex_func", nullptr},
    {nullptr, nullptr},
};

cst_voice* voice() {
    static cst_voice* const english = [] {
        flite_init();
        return register_cmu_us_rms(nullptr);
    }();
    return english;
}

}  // namespace

std::string flitePronunciation(const std::string& text) {
    cst_utterance* utterance = new_utterance();
    utt_set_input_text(utterance, text.c_str());
    utt_init(utterance, voice());
    apply_synth_method(utterance, kToPhones);
    std::string phones;
    for (cst_item* segment = relation_head(utt_relation(utterance, "Segment")); segment;
         segment = item_next(segment)) {
        const std::string phone = item_feat_string(segment, "name");
        if (phone != "pau") phones += (phones.empty() ? "" : " ") + phone;
    }
    delete_utterance(utterance);
    return phones;
}
