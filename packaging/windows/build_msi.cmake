# Builds the Windows installer from cvtimer.wxs and a staging folder that holds
# the files it installs (make package-windows runs it; so does
# scripts/check-windows-package, for other versions of the same package):
#
#   cmake -DWXS=cvtimer.wxs -DSTAGE=DIR -DVERSION=1.0.0 -DOUTPUT=CVTimer-1.0.0-x64.msi
#         [-DSIGN_PFX=cert.pfx -DSIGN_PASSWORD_FILE=pass.txt [-DSIGN_TIMESTAMP_URL=URL]]
#         -P build_msi.cmake
#
# 1. The product code is the name-based (SHA-1) UUID of the version in the
#    upgrade code's namespace: the same for every build of one version, and
#    another for every other version.
# 2. wixl builds the package in a copy of the staging folder whose files are
#    all dated SOURCE_DATE_EPOCH, in UTC: the cabinet records each file's date.
# 3. Each program's row in the File table gets the version and language of
#    its version resource, which wixl leaves empty (Windows Installer would
#    treat it as a data file), and loses its MsiFileHash row, which is for
#    unversioned files only.
# 4. msi_summary.py dates the package SOURCE_DATE_EPOCH and gives it a package
#    code made from its content, where wixl writes the time and a random code:
#    the same files give the same package, byte for byte.
# 5. With a certificate the package is signed, last, since any later change
#    would break the signature; without, one line says that it is not.
include(${CMAKE_CURRENT_LIST_DIR}/sign.cmake)

foreach(required WXS STAGE VERSION OUTPUT)
  if(NOT ${required})
    message(FATAL_ERROR "build_msi.cmake needs -D${required}=...")
  endif()
endforeach()
find_program(wixl wixl REQUIRED)
find_program(msibuild msibuild REQUIRED)
find_program(wrestool wrestool REQUIRED)
find_program(python3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  message(FATAL_ERROR "build_msi.cmake needs SOURCE_DATE_EPOCH in the environment (make sets it from the commit)")
endif()

# cv_run(WHAT COMMAND...): runs the command, stops with its output if it fails.
function(cv_run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${said}")
  endif()
endfunction()

# cv_file_version(EXE OUT): "a.b.c.d" from EXE's VS_FIXEDFILEINFO.
function(cv_file_version exe out)
  set(resource "${OUTPUT}.version")
  cv_run("reading the version resource of ${exe}" ${wrestool} -x --raw --type=16 -o "${resource}" "${exe}")
  file(READ "${resource}" hex HEX)
  file(REMOVE "${resource}")
  # The structure begins with its signature 0xFEEF04BD, little-endian, on a
  # byte boundary, then its own version, then the file version as two DWORDs.
  set(from 0)
  set(at -1)
  while(at LESS 0)
    string(SUBSTRING "${hex}" ${from} -1 rest)
    string(FIND "${rest}" "bd04effe" found)
    if(found LESS 0)
      message(FATAL_ERROR "${exe} has no VS_FIXEDFILEINFO in its version resource")
    endif()
    math(EXPR found "${from} + ${found}")
    math(EXPR odd "${found} % 2")
    if(odd)
      math(EXPR from "${found} + 1")
    else()
      set(at ${found})
    endif()
  endwhile()
  set(parts)
  foreach(offset 16 24)  # dwFileVersionMS, then dwFileVersionLS
    math(EXPR start "${at} + ${offset}")
    string(SUBSTRING "${hex}" ${start} 8 dword)
    string(REGEX REPLACE "^(..)(..)(..)(..)$" "\\4\\3;\\2\\1" words "${dword}")
    foreach(word IN LISTS words)
      math(EXPR value "0x${word}")
      list(APPEND parts ${value})
    endforeach()
  endforeach()
  list(JOIN parts "." version)
  set(${out} ${version} PARENT_SCOPE)
endfunction()

file(READ "${WXS}" wxs)
if(NOT wxs MATCHES "UpgradeCode=\"([0-9A-Fa-f-]+)\"")
  message(FATAL_ERROR "${WXS} names no UpgradeCode")
endif()
set(upgrade_code ${CMAKE_MATCH_1})
string(UUID product_code NAMESPACE ${upgrade_code} NAME "${VERSION}" TYPE SHA1 UPPER)

get_filename_component(OUTPUT "${OUTPUT}" ABSOLUTE)
get_filename_component(name "${OUTPUT}" NAME)
set(unsigned "${OUTPUT}.unsigned")
set(dated "${OUTPUT}.stage")
file(REMOVE "${OUTPUT}" "${unsigned}")
file(REMOVE_RECURSE "${dated}")
file(GLOB staged "${STAGE}/*")
file(COPY ${staged} DESTINATION "${dated}")
# Every file and folder, the guide's pictures in images/ too.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${dated}/*")
cv_run("dating the staged files" touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${staged})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${wixl} --arch x64 -D Version=${VERSION} -D ProductCode=${product_code}
                        --output "${unsigned}" "${WXS}"
                WORKING_DIRECTORY "${dated}" RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(REMOVE_RECURSE "${dated}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl could not build ${name}:\n${said}")
endif()

file(GLOB programs RELATIVE "${STAGE}" "${STAGE}/*.exe")
foreach(program IN LISTS programs)
  cv_file_version("${STAGE}/${program}" version)
  # The File table's keys are the files' own names (File Id in cvtimer.wxs);
  # 1033 is the language of the version resource, US English.
  cv_run("filling in the version of ${program}" ${msibuild} "${unsigned}"
    -q "UPDATE `File` SET `Version` = '${version}', `Language` = '1033' WHERE `File` = '${program}'"
    -q "DELETE FROM `MsiFileHash` WHERE `File_` = '${program}'")
endforeach()

cv_run("dating the package and giving it a package code" ${python3} "${CMAKE_CURRENT_LIST_DIR}/msi_summary.py"
  "${unsigned}" "${upgrade_code}")

if(SIGN_PFX)
  cv_sign("${unsigned}")
else()
  message("${name} and its programs are not signed (make package-windows WINDOWS_SIGN_PFX=... signs them)")
endif()
file(RENAME "${unsigned}" "${OUTPUT}")
