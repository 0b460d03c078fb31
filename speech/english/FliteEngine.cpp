#include "FliteEngine.h"

extern "C" {
#include <flite/flite.h>

cst_voice* register_cmu_us_rms(const char* voxdir);
}

#include <memory>

namespace horalo::speech {

namespace {

// Hands each piece of sound to the SpeechWatch of the utterance being made.
int passSamples(const cst_wave* wave, int start, int size, int /*last*/,
                cst_audio_streaming_info* info) {
    auto* watch = static_cast<SpeechWatch*>(info->userdata);
    if (!watch || size <= 0) return CST_AUDIO_STREAM_CONT;
    return watch->pass({wave->samples + start, static_cast<size_t>(size)}) ? CST_AUDIO_STREAM_CONT
                                                                           : CST_AUDIO_STREAM_STOP;
}

// flite keeps one voice object per process, shared by every library and
// program in it that registers the voice.
cst_voice* english() {
    static cst_voice* const voice = [] {
        flite_init();
        return register_cmu_us_rms(nullptr);
    }();
    return voice;
}

// Makes the voice stream into `watch` for one utterance: its sound comes in
// pieces while the rest is being made, the first some 10 ms after the call.
// Set for each utterance, because another user of the voice may have set its own.
class Streaming {
  public:
    explicit Streaming(SpeechWatch& watch) {
        cst_audio_streaming_info* info = new_audio_streaming_info();
        info->asc = passSamples;
        info->userdata = &watch;
        feat_set(english()->features, "streaming_info", audio_streaming_info_val(info));
    }
    ~Streaming() { flite_feat_remove(english()->features, "streaming_info"); }
    Streaming(const Streaming&) = delete;
    Streaming& operator=(const Streaming&) = delete;
};

SpeakStatus start(int& sampleRate) {
    cst_voice* const voice = english();
    sampleRate = voice ? flite_get_param_int(voice->features, "sample_rate", 0) : 0;
    return sampleRate > 0 ? SpeakStatus::Ok : SpeakStatus::VoiceDataMissing;
}

struct UtteranceDelete {
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};

SpeakStatus synthesize(const std::string& text, const SampleSink& sink) {
    int sampleRate = 0;
    if (const SpeakStatus started = start(sampleRate); started != SpeakStatus::Ok) return started;
    SpeechWatch watch(sink);
    const Streaming streaming(watch);
    const std::unique_ptr<cst_utterance, UtteranceDelete> utterance(
        flite_synth_text(text.c_str(), english()));
    return watch.outcome(utterance != nullptr);
}

}  // namespace

const SpeechEngine kFliteEnglish{start, synthesize};

}  // namespace horalo::speech
