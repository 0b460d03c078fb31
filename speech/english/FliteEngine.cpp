#include "FliteEngine.h"

extern "C" {
#include <flite/flite.h>

cst_voice* register_cmu_us_slt(const char* voxdir);
}

#include <memory>

namespace horalo::speech {

namespace {

cst_voice* voice() {
    static cst_voice* const ready = [] {
        flite_init();
        return register_cmu_us_slt(nullptr);
    }();
    return ready;
}

SpeakStatus start(int& sampleRate) {
    cst_voice* const english = voice();
    sampleRate = english ? flite_get_param_int(english->features, "sample_rate", 0) : 0;
    return sampleRate > 0 ? SpeakStatus::Ok : SpeakStatus::VoiceDataMissing;
}

struct UtteranceDelete {
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};

SpeakStatus synthesize(const std::string& text, Pcm& pcm) {
    pcm = Pcm{};
    if (const SpeakStatus started = start(pcm.sampleRate); started != SpeakStatus::Ok)
        return started;
    const std::unique_ptr<cst_utterance, UtteranceDelete> utterance(
        flite_synth_text(text.c_str(), voice()));
    const cst_wave* wave = utterance ? utt_wave(utterance.get()) : nullptr;
    if (!wave || wave->sample_rate != pcm.sampleRate) return SpeakStatus::SynthesisFailed;
    pcm.samples.assign(wave->samples, wave->samples + wave->num_samples);
    return hasSpeech(pcm) ? SpeakStatus::Ok : SpeakStatus::SynthesisFailed;
}

}  // namespace

const SpeechEngine kFliteEnglish{start, synthesize};

}  // namespace horalo::speech
