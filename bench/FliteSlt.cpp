#include "FliteSlt.h"

extern "C" {
#include <flite/flite.h>

cst_voice* register_cmu_us_slt(const char* voxdir);
}

horalo::speech::Pcm fliteSltSpeech(const std::string& text) {
    static cst_voice* const voice = [] {
        flite_init();
        return register_cmu_us_slt(nullptr);
    }();
    horalo::speech::Pcm pcm;
    cst_wave* wave = voice ? flite_text_to_wave(text.c_str(), voice) : nullptr;
    if (!wave) return pcm;
    pcm.sampleRate = wave->sample_rate;
    pcm.samples.assign(wave->samples, wave->samples + wave->num_samples);
    delete_wave(wave);
    return pcm;
}
