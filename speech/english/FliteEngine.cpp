#include "FliteEngine.h"

extern "C" {
#include <flite/flite.h>

cst_voice* register_cmu_us_rms(const char* voxdir);
}

#include <algorithm>
#include <memory>

namespace horalo::speech {

namespace {

// flite keeps one voice object per process, shared by every library and
// program in it that registers the voice.
cst_voice* english() {
    static cst_voice* const voice = [] {
        flite_init();
        return register_cmu_us_rms(nullptr);
    }();
    return voice;
}

SpeakStatus start(int& sampleRate) {
    cst_voice* const voice = english();
    sampleRate = voice ? flite_get_param_int(voice->features, "sample_rate", 0) : 0;
    return sampleRate > 0 ? SpeakStatus::Ok : SpeakStatus::VoiceDataMissing;
}

struct UtteranceDelete {
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};

SpeakStatus synthesize(const std::string& text, std::vector<int16_t>& samples) {
    int sampleRate = 0;
    if (const SpeakStatus started = start(sampleRate); started != SpeakStatus::Ok) return started;
    const std::unique_ptr<cst_utterance, UtteranceDelete> utterance(
        flite_synth_text(text.c_str(), english()));
    const cst_wave* wave = utterance ? utt_wave(utterance.get()) : nullptr;
    if (!wave) return SpeakStatus::SynthesisFailed;
    samples.insert(samples.end(), wave->samples, wave->samples + std::max(wave->num_samples, 0));
    return SpeakStatus::Ok;
}

}  // namespace

const SpeechEngine kFliteEnglish{start, synthesize};

}  // namespace horalo::speech
