# Writes the SHA-256 digest of the program file into the digest file beside it, as sha256sum prints it:
# "<64 hexadecimal digits>  <file name>". The program compares its own file with it at start-up.
#
#   cmake -DPROGRAM=<program file> -DDIGEST_FILE=<digest file> -P WriteDigest.cmake
if(NOT EXISTS "${PROGRAM}")
    message(FATAL_ERROR "No program file at '${PROGRAM}'")
endif()
file(SHA256 "${PROGRAM}" digest)
get_filename_component(name "${PROGRAM}" NAME)
file(WRITE "${DIGEST_FILE}" "${digest}  ${name}\n")
