# Authenticode signing with osslsigncode, SHA-256, for the programs and the
# installer. Included by build_msi.cmake, and run on its own for a program:
#
#   cmake -DSIGN_PFX=cert.pfx -DSIGN_PASSWORD_FILE=pass.txt [-DSIGN_TIMESTAMP_URL=URL]
#         -DFILE=cvtimer.exe -P sign.cmake
#
# The password stays in its file: osslsigncode reads it from there, so it is
# never on a command line that other users of the machine can list.

# cv_sign(FILE): signs FILE in place.
function(cv_sign file)
  find_program(osslsigncode osslsigncode REQUIRED)
  set(timestamp)
  if(SIGN_TIMESTAMP_URL)
    # An RFC 3161 time stamp: the signature stays valid after the certificate expires.
    set(timestamp -ts "${SIGN_TIMESTAMP_URL}")
  endif()
  set(password)
  if(SIGN_PASSWORD_FILE)
    set(password -readpass "${SIGN_PASSWORD_FILE}")
  endif()
  execute_process(
    COMMAND ${osslsigncode} sign -pkcs12 "${SIGN_PFX}" ${password} -h sha256 -n "CV Timer" ${timestamp}
            -in "${file}" -out "${file}.signed"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT status EQUAL 0)
    file(REMOVE "${file}.signed")
    message(FATAL_ERROR "osslsigncode could not sign ${file} with ${SIGN_PFX}:\n${said}")
  endif()
  file(RENAME "${file}.signed" "${file}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT SIGN_PFX OR NOT FILE)
    message(FATAL_ERROR "usage: cmake -DSIGN_PFX=... [-DSIGN_PASSWORD_FILE=...] [-DSIGN_TIMESTAMP_URL=...] -DFILE=... -P sign.cmake")
  endif()
  cv_sign("${FILE}")
endif()
