#include "SoundStream.h"

#include "AlsaStream.h"
#include "PulseStream.h"

namespace horalo::speech {

SpeakStatus openSoundStream(SoundServer server, int sampleRate,
                            std::unique_ptr<SoundStream>& stream) {
    switch (server) {
        case SoundServer::Reachable:
            stream = openPulseStream(sampleRate);
            break;
        case SoundServer::Absent:
            stream = openAlsaStream(sampleRate);
            break;
        case SoundServer::Unresponsive:
            stream.reset();
            break;
    }
    return stream ? SpeakStatus::Ok : SpeakStatus::NoSoundDevice;
}

}  // namespace horalo::speech
