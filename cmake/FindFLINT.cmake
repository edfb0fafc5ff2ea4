# FindFLINT: FLINT ships no CMake or pkg-config file on Debian, so its header
# and library are found by hand. Makes the imported target FLINT::FLINT, which
# brings the GMP and MPFR libraries FLINT's header needs at link time.
#   FLINT_FOUND, FLINT_INCLUDE_DIR, FLINT_LIBRARY
find_path(FLINT_INCLUDE_DIR flint/flint.h)
find_library(FLINT_LIBRARY flint)
find_library(FLINT_MPFR_LIBRARY mpfr)
find_library(FLINT_GMP_LIBRARY gmp)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FLINT REQUIRED_VARS FLINT_LIBRARY FLINT_INCLUDE_DIR
                                  FLINT_MPFR_LIBRARY FLINT_GMP_LIBRARY)
mark_as_advanced(FLINT_INCLUDE_DIR FLINT_LIBRARY FLINT_MPFR_LIBRARY FLINT_GMP_LIBRARY)

if(FLINT_FOUND AND NOT TARGET FLINT::FLINT)
    add_library(FLINT::FLINT UNKNOWN IMPORTED)
    # SYSTEM: flint.h's macros are not ours to keep free of warnings.
    set_target_properties(FLINT::FLINT PROPERTIES
        IMPORTED_LOCATION "${FLINT_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${FLINT_INCLUDE_DIR}"
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${FLINT_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${FLINT_MPFR_LIBRARY};${FLINT_GMP_LIBRARY}")
endif()
