# Warnings, hardening and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(KESTAVOLIN_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

# Programs load only the shared libraries whose symbols they use, whatever the
# compiler's default.
add_link_options(LINKER:--as-needed)

if(KESTAVOLIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KESTAVOLIN_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzz targets need clang (use the 'fuzz' preset)")
    endif()
    # Every object is instrumented for coverage so libFuzzer can steer into it.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The hardening Debian builds its packages with: checked buffer functions (they need
# optimisation; a level the compiler or the flags set already is replaced, not
# redefined), stack protection and relocations made read-only before the program
# runs. The sanitizers check the same faults their own way.
if(NOT KESTAVOLIN_SANITIZE AND NOT KESTAVOLIN_BUILD_FUZZERS)
    set(optimised $<NOT:$<CONFIG:Debug>>)
    add_compile_options($<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
    add_compile_options(-fstack-protector-strong)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
