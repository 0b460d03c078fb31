#include "EspeakEngine.h"

#include <espeak-ng/espeak_ng.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace horalo::speech {

namespace {

constexpr const char* kVoice = "ru";
constexpr const char* kDictionary = "ru_dict";  // in espeak-ng's data folder

SpeakStatus startupFailure(espeak_ng_STATUS status) {
    // Missing or unreadable data files come back as errno values (ENOENT) or as
    // a version mismatch when an old data set is found.
    const bool dataProblem =
        (status & ENS_GROUP_MASK) == ENS_GROUP_ERRNO || status == ENS_VERSION_MISMATCH;
    return dataProblem ? SpeakStatus::VoiceDataMissing : SpeakStatus::SynthesisFailed;
}

// A non-zero sample rate is espeak-ng's own sign that it is running; a second
// start would reload its data underneath another user in the process.
SpeakStatus startOnce() {
    if (espeak_ng_GetSampleRate() != 0) return SpeakStatus::Ok;
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK) return startupFailure(status);
    // Sound comes back to us through the callback and we play it ourselves.
    // Even so, espeak-ng 1.51 sets up its own sound device here, which means
    // a connection to the sound server without a time limit.
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return SpeakStatus::SynthesisFailed;
    return SpeakStatus::Ok;
}

// espeak-ng accepts a voice whose dictionary is missing and then says nothing.
bool dictionaryInstalled() {
    const char* dataPath = nullptr;
    espeak_Info(&dataPath);
    if (!dataPath) return false;
    const std::string file = std::string(dataPath) + "/" + kDictionary;
    return access(file.c_str(), R_OK) == 0;
}

// The name espeak-ng gave the voice when we set it ("Russian"), or empty. A
// plain array: the player's thread may read it while the process ends.
char voiceSet[64] = "";

bool voiceIsSet() {
    const espeak_VOICE* current = espeak_GetCurrentVoice();
    return voiceSet[0] && current && current->name && std::strcmp(voiceSet, current->name) == 0;
}

SpeakStatus setVoiceUnlessSet() {
    if (voiceIsSet()) return SpeakStatus::Ok;
    voiceSet[0] = '\0';
    if (!dictionaryInstalled() || espeak_ng_SetVoiceByName(kVoice) != ENS_OK)
        return SpeakStatus::VoiceDataMissing;
    // A voice change keeps the speed of the voice before; setting the rate
    // anew recomputes it for this voice.
    if (espeak_ng_SetParameter(espeakRATE, espeakRATE_NORMAL, 0) != ENS_OK)
        return SpeakStatus::SynthesisFailed;
    const espeak_VOICE* current = espeak_GetCurrentVoice();
    if (current && current->name) std::snprintf(voiceSet, sizeof voiceSet, "%s", current->name);
    return SpeakStatus::Ok;
}

SpeakStatus start(int& sampleRate) {
    SpeakStatus status = startOnce();
    if (status == SpeakStatus::Ok) status = setVoiceUnlessSet();
    sampleRate = status == SpeakStatus::Ok ? espeak_ng_GetSampleRate() : 0;
    return status;
}

int addSamples(short* samples, int count, espeak_EVENT* events) {
    auto* sound = events ? static_cast<std::vector<int16_t>*>(events->user_data) : nullptr;
    if (sound && samples && count > 0) sound->insert(sound->end(), samples, samples + count);
    return 0;  // go on
}

SpeakStatus synthesize(const std::string& text, std::vector<int16_t>& samples) {
    int sampleRate = 0;
    if (const SpeakStatus started = start(sampleRate); started != SpeakStatus::Ok) return started;
    espeak_SetSynthCallback(addSamples);
    espeak_ng_STATUS status =
        espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &samples);
    if (status == ENS_OK) status = espeak_ng_Synchronize();
    return status == ENS_OK ? SpeakStatus::Ok : SpeakStatus::SynthesisFailed;
}

}  // namespace

const SpeechEngine kEspeakRussian{start, synthesize};

}  // namespace horalo::speech
