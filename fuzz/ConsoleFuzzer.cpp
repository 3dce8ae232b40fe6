#include "fuzz/ConsoleDriver.h"

#include <QApplication>

// libFuzzer entry points: every input drives the main window through ConsoleDriver, which puts
// the window back as it was new before each one.

namespace {

ConsoleDriver* driver = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps references to these for the life of the application.
    static int argc = 1;
    static char name[] = "console_fuzzer";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    driver = new ConsoleDriver; // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    driver->run(data, size);
    return 0;
}
