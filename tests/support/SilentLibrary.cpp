// A shared library that loads but offers no Speak.
extern "C" __attribute__((visibility("default"))) int Hello(void) {
    return 0;
}
