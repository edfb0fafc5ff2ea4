# FindGMP: GMP ships no CMake file on Debian, so its C++ header and libraries
# are found by hand. Makes the imported target GMP::gmpxx (the C++ classes,
# bringing the C library with them).
#   GMP_FOUND, GMPXX_INCLUDE_DIR, GMPXX_LIBRARY, GMP_LIBRARY
find_path(GMPXX_INCLUDE_DIR gmpxx.h)
find_library(GMPXX_LIBRARY gmpxx)
find_library(GMP_LIBRARY gmp)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GMP REQUIRED_VARS GMPXX_LIBRARY GMP_LIBRARY GMPXX_INCLUDE_DIR)
mark_as_advanced(GMPXX_INCLUDE_DIR GMPXX_LIBRARY GMP_LIBRARY)

# The program is built on GMP's C++ classes, so it records libgmpxx as a
# library it needs even while today's header keeps every call inline: the
# package's Depends then names it, and a later GMP that moves code out of line
# cannot leave an installed program without it.
if(GMP_FOUND AND NOT TARGET GMP::gmpxx)
    add_library(GMP::gmpxx INTERFACE IMPORTED)
    set_target_properties(GMP::gmpxx PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${GMPXX_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES
            "-Wl,--push-state,--no-as-needed;${GMPXX_LIBRARY};-Wl,--pop-state;${GMP_LIBRARY}")
endif()
