// The JSPI program's trampolines (ui/platform_web_jspi_invoke.cmake), as
// Qt leans on them: a longjmp back to its setjmp (the antialiased
// rasterizers' way out of a full cell pool), a C++ exception caught, a wait
// beneath a frame that cleans up or catches, and a JavaScript error passed
// on. Each case runs through at least one trampoline; one line each, then
// "jspi_invoke_check: done" or how many failed. scripts/web-check runs it.
#include <emscripten.h>
#include <emscripten/em_js.h>

#include <csetjmp>
#include <cstdio>

namespace {

std::jmp_buf target;
int destroyed = 0;
volatile int five = 5; // kept from the optimizer, so that calls stay calls

struct Counted {
    Counted() = default;
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    ~Counted() { ++destroyed; }
};

[[gnu::noinline]] void jumpFrom(int depth)
{
    if (depth == 0)
        std::longjmp(target, 7);
    jumpFrom(depth - 1);
}

[[gnu::noinline]] long long jumpFrom64(long long depth)
{
    if (depth == 0)
        std::longjmp(target, 9);
    return jumpFrom64(depth - 1) + 1;
}

[[gnu::noinline]] void sleepFor(int milliseconds) { emscripten_sleep(unsigned(milliseconds)); }

[[gnu::noinline]] double sleepThenHalve(int x)
{
    emscripten_sleep(5);
    return x / 2.0;
}

[[gnu::noinline]] long long sleepThenTriple(long long x)
{
    emscripten_sleep(5);
    return x * 3;
}

[[gnu::noinline]] void throwIf(int x)
{
    if (x != 0)
        throw x;
}

EM_JS(void, throwFromJavaScript, (), { throw new Error('passes on'); });

[[gnu::noinline]] void javaScriptErrorUnderCleanup()
{
    const Counted c;
    if (five != 0)
        throwFromJavaScript();
}

EM_JS_DEPS(jspi_invoke_check, "$getWasmTableEntry");
EM_JS(int, caughtByJavaScript, (void* f), {
    try {
        getWasmTableEntry(f)();
    } catch (e) {
        return e instanceof Error && e.message === 'passes on' ? 1 : 2;
    }
    return 0;
});

// NOLINTBEGIN(cert-err52-cpp): longjmp is what is being tried
int longjmpBack()
{
    if (const int r = setjmp(target))
        return r;
    jumpFrom(five);
    return 0;
}

int longjmpBack64()
{
    volatile int r = setjmp(target);
    if (r != 0)
        return r;
    return int(jumpFrom64(five));
}

int longjmpAfterWait()
{
    if (const int r = setjmp(target))
        return r;
    sleepFor(five);
    jumpFrom(five);
    return 0;
}
// NOLINTEND(cert-err52-cpp)

int exceptionCaught()
{
    try {
        throwIf(five);
    } catch (int e) {
        return e;
    }
    return 0;
}

int exceptionAfterWait()
{
    try {
        sleepFor(five);
        throwIf(five + 1);
    } catch (int e) {
        return e;
    }
    return 0;
}

int waitBeneathCleanup()
{
    const int before = destroyed;
    {
        const Counted c;
        sleepFor(five);
    }
    return destroyed - before;
}

int waitReturningDouble()
{
    const Counted c;
    return int(sleepThenHalve(five * 9) * 10);
}

int waitReturning64()
{
    const Counted c;
    return int(sleepThenTriple(5'000'000'000LL + five) - 15'000'000'000LL);
}

int javaScriptErrorPassesOn()
{
    return caughtByJavaScript(reinterpret_cast<void*>(&javaScriptErrorUnderCleanup));
}

struct Case {
    const char* name;
    int (*run)();
    int expected;
};

const Case cases[] = {
    {"longjmp back to setjmp", longjmpBack, 7},
    {"longjmp through a 64-bit call", longjmpBack64, 9},
    {"longjmp after a wait", longjmpAfterWait, 7},
    {"C++ exception caught", exceptionCaught, 5},
    {"C++ exception caught after a wait", exceptionAfterWait, 6},
    {"wait beneath a cleanup", waitBeneathCleanup, 1},
    {"wait returning a double", waitReturningDouble, 225},
    {"wait returning 64 bits", waitReturning64, 15},
    {"JavaScript error passed on", javaScriptErrorPassesOn, 1},
};

} // namespace

int main()
{
    int failed = 0;
    for (const Case& c : cases) {
        const int got = c.run();
        if (got == c.expected) {
            std::printf("jspi_invoke_check: %s: ok\n", c.name);
        } else {
            std::printf("jspi_invoke_check: %s: %d, not %d\n", c.name, got, c.expected);
            ++failed;
        }
    }
    if (failed == 0)
        std::printf("jspi_invoke_check: done\n");
    else
        std::printf("jspi_invoke_check: %d of %zu failed\n", failed, sizeof cases / sizeof cases[0]);
    return 0;
}
