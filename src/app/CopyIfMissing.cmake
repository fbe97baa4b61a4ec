# Copies SOURCE to TARGET unless TARGET exists, so that a language file put beside the program by hand
# survives the next build.
#
#   cmake -DSOURCE=<file> -DTARGET=<file> -P CopyIfMissing.cmake
if(NOT EXISTS "${TARGET}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
