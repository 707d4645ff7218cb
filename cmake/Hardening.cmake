# The hardening Debian builds its packages with (dpkg-buildflags with
# hardening=+all: fortified functions, stack protector, PIE, full RELRO with
# immediate binding), and on Windows the loader's protections (ASLR with high
# entropy, DEP). mingw-w64's GCC offers no control-flow guard. Sanitizer and
# fuzz builds go without: they bring their own checks.
option(VELTRANE_HARDEN "Build with the platform's hardening flags" ON)
if(NOT VELTRANE_HARDEN OR VELTRANE_SANITIZE OR VELTRANE_FUZZ)
  return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

if(WIN32)
  target_link_options(veltrane_flags INTERFACE
    -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
else()
  # Fortification needs the optimiser; a Debug build would only warn.
  target_compile_options(veltrane_flags INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>
    -fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
  target_link_options(veltrane_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
