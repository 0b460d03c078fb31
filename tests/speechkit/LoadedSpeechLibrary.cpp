#include "LoadedSpeechLibrary.h"

LoadedSpeechLibrary::LoadedSpeechLibrary(const char* path) : library_(QString::fromUtf8(path)) {
    speak_ = reinterpret_cast<int (*)()>(library_.resolve("Speak"));
}
