# The hardening a distribution builds its packages with (Debian's
# dpkg-buildflags with hardening=+all): stack protection, fortified C library
# calls, a position-independent executable and a read-only offset table bound
# at start. The sanitizer and fuzzer builds bring their own instrumentation and
# skip this; MinGW's runtime has no fortified calls, and WebAssembly's
# memory safety is the browser's, with no processor stack or linker tables to harden.
include(CheckPIESupported)
check_pie_supported(LANGUAGES C CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection -Wformat -Wformat-security)
# Fortification needs the optimiser; a compiler that defines its own level is overruled.
add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(-Wl,-z,relro -Wl,-z,now)
