// For the program built for JavaScript Promise Integration: what its
// trampolines (invoke_<signature>, ui/platform_web_jspi_invoke.cmake) do
// with what they caught, as emscripten's own would. A longjmp has set
// __THREW__ to its jmp_buf before throwing; a C++ exception counts as
// uncaught until a catch takes it. Either returns to the caller, which looks
// at __THREW__ for where to go; anything else (a JavaScript error, the unwind
// that ends main) goes on up.
#include <cstdint>
#include <exception>

// NOLINTBEGIN: emscripten's names, reserved as they are
extern "C" {
extern thread_local std::uintptr_t __THREW__;
void setThrew(std::uintptr_t threw, int value);

int vortalin_invoke_caught()
{
    if (__THREW__ == 0 && std::uncaught_exceptions() == 0)
        return 0;
    setThrew(1, 0); // leaves a longjmp's own mark
    return 1;
}
}
// NOLINTEND
