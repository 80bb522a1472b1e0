// For the program built for JavaScript Promise Integration. Qt's Core is
// built with exceptions, which emscripten (without WebAssembly exceptions)
// carries through JavaScript trampolines, invoke_<signature>, one for each
// call that may throw; and a browser cannot suspend a stack that holds a
// JavaScript frame, so a wait beneath a signal or an event loop would fail.
// Here they are plain calls inside the program. An exception or a longjmp
// through one ends the program: nothing in the game catches, Qt only
// rethrows, and libpng's longjmp comes only from a damaged picture, while the
// game reads only its own. A signature missing here stays JavaScript's.
// NOLINTBEGIN
#include <cstdint>
extern "C" {
double invoke_di(int f, int a0) { return reinterpret_cast<double (*)(int)>(static_cast<std::intptr_t>(f))(a0); }
double invoke_dii(int f, int a0, int a1) { return reinterpret_cast<double (*)(int, int)>(static_cast<std::intptr_t>(f))(a0, a1); }
float invoke_fi(int f, int a0) { return reinterpret_cast<float (*)(int)>(static_cast<std::intptr_t>(f))(a0); }
int invoke_i(int f) { return reinterpret_cast<int (*)(void)>(static_cast<std::intptr_t>(f))(); }
int invoke_iff(int f, float a0, float a1) { return reinterpret_cast<int (*)(float, float)>(static_cast<std::intptr_t>(f))(a0, a1); }
int invoke_ii(int f, int a0) { return reinterpret_cast<int (*)(int)>(static_cast<std::intptr_t>(f))(a0); }
int invoke_iid(int f, int a0, double a1) { return reinterpret_cast<int (*)(int, double)>(static_cast<std::intptr_t>(f))(a0, a1); }
int invoke_iii(int f, int a0, int a1) { return reinterpret_cast<int (*)(int, int)>(static_cast<std::intptr_t>(f))(a0, a1); }
int invoke_iiii(int f, int a0, int a1, int a2) { return reinterpret_cast<int (*)(int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
int invoke_iiiif(int f, int a0, int a1, int a2, float a3) { return reinterpret_cast<int (*)(int, int, int, float)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
int invoke_iiiii(int f, int a0, int a1, int a2, int a3) { return reinterpret_cast<int (*)(int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
int invoke_iiiiii(int f, int a0, int a1, int a2, int a3, int a4) { return reinterpret_cast<int (*)(int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4); }
int invoke_iiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5) { return reinterpret_cast<int (*)(int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5); }
int invoke_iiiiiiif(int f, int a0, int a1, int a2, int a3, int a4, int a5, float a6) { return reinterpret_cast<int (*)(int, int, int, int, int, int, float)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
int invoke_iiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6) { return reinterpret_cast<int (*)(int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
int invoke_iiiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7) { return reinterpret_cast<int (*)(int, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7); }
int invoke_iiiiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) { return reinterpret_cast<int (*)(int, int, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7, a8); }
int invoke_iiiiiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8, int a9) { return reinterpret_cast<int (*)(int, int, int, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7, a8, a9); }
int invoke_iiiiiij(int f, int a0, int a1, int a2, int a3, int a4, long long a5) { return reinterpret_cast<int (*)(int, int, int, int, int, long long)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5); }
int invoke_iiij(int f, int a0, int a1, long long a2) { return reinterpret_cast<int (*)(int, int, long long)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
int invoke_iij(int f, int a0, long long a1) { return reinterpret_cast<int (*)(int, long long)>(static_cast<std::intptr_t>(f))(a0, a1); }
int invoke_iiji(int f, int a0, long long a1, int a2) { return reinterpret_cast<int (*)(int, long long, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
int invoke_iijii(int f, int a0, long long a1, int a2, int a3) { return reinterpret_cast<int (*)(int, long long, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
int invoke_iijiii(int f, int a0, long long a1, int a2, int a3, int a4) { return reinterpret_cast<int (*)(int, long long, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4); }
int invoke_iijji(int f, int a0, long long a1, long long a2, int a3) { return reinterpret_cast<int (*)(int, long long, long long, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
int invoke_iji(int f, long long a0, int a1) { return reinterpret_cast<int (*)(long long, int)>(static_cast<std::intptr_t>(f))(a0, a1); }
int invoke_ijj(int f, long long a0, long long a1) { return reinterpret_cast<int (*)(long long, long long)>(static_cast<std::intptr_t>(f))(a0, a1); }
long long invoke_ji(int f, int a0) { return reinterpret_cast<long long (*)(int)>(static_cast<std::intptr_t>(f))(a0); }
long long invoke_jii(int f, int a0, int a1) { return reinterpret_cast<long long (*)(int, int)>(static_cast<std::intptr_t>(f))(a0, a1); }
long long invoke_jiii(int f, int a0, int a1, int a2) { return reinterpret_cast<long long (*)(int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
long long invoke_jiij(int f, int a0, int a1, long long a2) { return reinterpret_cast<long long (*)(int, int, long long)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
long long invoke_jiiji(int f, int a0, int a1, long long a2, int a3) { return reinterpret_cast<long long (*)(int, int, long long, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
long long invoke_jij(int f, int a0, long long a1) { return reinterpret_cast<long long (*)(int, long long)>(static_cast<std::intptr_t>(f))(a0, a1); }
long long invoke_jj(int f, long long a0) { return reinterpret_cast<long long (*)(long long)>(static_cast<std::intptr_t>(f))(a0); }
void invoke_v(int f) { reinterpret_cast<void (*)(void)>(static_cast<std::intptr_t>(f))(); }
void invoke_vdiiiiiii(int f, double a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7) { reinterpret_cast<void (*)(double, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7); }
void invoke_vi(int f, int a0) { reinterpret_cast<void (*)(int)>(static_cast<std::intptr_t>(f))(a0); }
void invoke_vid(int f, int a0, double a1) { reinterpret_cast<void (*)(int, double)>(static_cast<std::intptr_t>(f))(a0, a1); }
void invoke_vidd(int f, int a0, double a1, double a2) { reinterpret_cast<void (*)(int, double, double)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_vidii(int f, int a0, double a1, int a2, int a3) { reinterpret_cast<void (*)(int, double, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_vii(int f, int a0, int a1) { reinterpret_cast<void (*)(int, int)>(static_cast<std::intptr_t>(f))(a0, a1); }
void invoke_viid(int f, int a0, int a1, double a2) { reinterpret_cast<void (*)(int, int, double)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_viidiiii(int f, int a0, int a1, double a2, int a3, int a4, int a5, int a6) { reinterpret_cast<void (*)(int, int, double, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
void invoke_viif(int f, int a0, int a1, float a2) { reinterpret_cast<void (*)(int, int, float)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_viii(int f, int a0, int a1, int a2) { reinterpret_cast<void (*)(int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_viiif(int f, int a0, int a1, int a2, float a3) { reinterpret_cast<void (*)(int, int, int, float)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_viiii(int f, int a0, int a1, int a2, int a3) { reinterpret_cast<void (*)(int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_viiiii(int f, int a0, int a1, int a2, int a3, int a4) { reinterpret_cast<void (*)(int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4); }
void invoke_viiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5) { reinterpret_cast<void (*)(int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5); }
void invoke_viiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6) { reinterpret_cast<void (*)(int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
void invoke_viiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7) { reinterpret_cast<void (*)(int, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7); }
void invoke_viiiiiiiii(int f, int a0, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) { reinterpret_cast<void (*)(int, int, int, int, int, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6, a7, a8); }
void invoke_viiiijii(int f, int a0, int a1, int a2, int a3, long long a4, int a5, int a6) { reinterpret_cast<void (*)(int, int, int, int, long long, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
void invoke_viij(int f, int a0, int a1, long long a2) { reinterpret_cast<void (*)(int, int, long long)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_viiji(int f, int a0, int a1, long long a2, int a3) { reinterpret_cast<void (*)(int, int, long long, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_viijiii(int f, int a0, int a1, long long a2, int a3, int a4, int a5) { reinterpret_cast<void (*)(int, int, long long, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5); }
void invoke_viijiiii(int f, int a0, int a1, long long a2, int a3, int a4, int a5, int a6) { reinterpret_cast<void (*)(int, int, long long, int, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4, a5, a6); }
void invoke_viijj(int f, int a0, int a1, long long a2, long long a3) { reinterpret_cast<void (*)(int, int, long long, long long)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_vij(int f, int a0, long long a1) { reinterpret_cast<void (*)(int, long long)>(static_cast<std::intptr_t>(f))(a0, a1); }
void invoke_viji(int f, int a0, long long a1, int a2) { reinterpret_cast<void (*)(int, long long, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2); }
void invoke_vijii(int f, int a0, long long a1, int a2, int a3) { reinterpret_cast<void (*)(int, long long, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
void invoke_vijiii(int f, int a0, long long a1, int a2, int a3, int a4) { reinterpret_cast<void (*)(int, long long, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3, a4); }
void invoke_vj(int f, long long a0) { reinterpret_cast<void (*)(long long)>(static_cast<std::intptr_t>(f))(a0); }
void invoke_vjiii(int f, long long a0, int a1, int a2, int a3) { reinterpret_cast<void (*)(long long, int, int, int)>(static_cast<std::intptr_t>(f))(a0, a1, a2, a3); }
}
// NOLINTEND
