# Writes the cvtimerctl manual page from the program's own --help texts, so the
# page lists exactly the commands and options the built program has.
#   cmake -DPROGRAM=path/to/cvtimerctl -DTEMPLATE=cvtimerctl.1.in
#         -DVERSION=1.0.0 -DOUTPUT=cvtimerctl.1 -P help_to_man.cmake
# The template holds the hand-written parts; @SYNOPSIS@ and @COMMANDS@ are
# filled from `cvtimerctl --help` and `cvtimerctl COMMAND --help`.

cmake_minimum_required(VERSION 3.25)

# The page is English whatever the locale of the build (cvtimerctl speaks the
# user's language): no language variable but LC_ALL=C.UTF-8, and run in a
# folder of its own, where no CVTimerSystem.ini can pin another language.
set(help_folder ${OUTPUT}.help)
file(REMOVE_RECURSE ${help_folder})
file(MAKE_DIRECTORY ${help_folder})

function(RunHelp out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_MESSAGES --unset=LANG
                          LC_ALL=C.UTF-8 ${PROGRAM} ${ARGN} --help
    WORKING_DIRECTORY ${help_folder}
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Plain text to roff: backslashes and dashes escaped, and nothing at the
# start of a line that roff would take for a request.
function(Escape out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One help text as lines. CMake lists cannot hold ";" or "[", so both are
# swapped for markers here and put back after escaping.
function(SplitLines out text)
  string(REPLACE ";" "@SEMICOLON@" text "${text}")
  string(REPLACE "[" "@OPEN@" text "${text}")
  string(REPLACE "]" "@CLOSE@" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

function(Restore out text)
  string(REPLACE "@SEMICOLON@" ";" text "${text}")
  string(REPLACE "@OPEN@" "[" text "${text}")
  string(REPLACE "@CLOSE@" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A command's help: "Usage: ..." lines, paragraphs, then "Options:" with one
# "  --name VALUE   what it does" line each.
function(CommandSection out name)
  RunHelp(help ${name})
  SplitLines(lines "${help}")
  set(roff "")
  set(mode text)
  set(paragraph_open FALSE)
  foreach(line IN LISTS lines)
    Escape(line "${line}")
    if(line MATCHES "^Usage: (.*)$")
      string(APPEND roff ".SS \"${CMAKE_MATCH_1}\"\n")
      set(mode text)
    elseif(line STREQUAL "Options:")
      set(mode options)
    elseif(line STREQUAL "")
      if(mode STREQUAL "text" AND paragraph_open)
        string(APPEND roff ".PP\n")
        set(paragraph_open FALSE)
      endif()
    elseif(mode STREQUAL "options" AND line MATCHES "^  +([^ ]+( [^ ]+)?)  +(.*)$")
      string(APPEND roff ".TP\n.B ${CMAKE_MATCH_1}\n${CMAKE_MATCH_3}\n")
    elseif(mode STREQUAL "options")
      string(STRIP "${line}" line)  # an option's wrapped description, without the help's indent
      string(APPEND roff "${line}\n")
    else()
      string(STRIP "${line}" line)
      string(APPEND roff "${line}\n")
      set(paragraph_open TRUE)
    endif()
  endforeach()
  string(REGEX REPLACE "\\.PP\n$" "" roff "${roff}")
  set(${out} "${roff}" PARENT_SCOPE)
endfunction()

RunHelp(overview)
SplitLines(lines "${overview}")
set(synopsis ".nf\n")
set(commands "")
set(in_commands FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^(Usage:)? +(cvtimerctl .*)$")
    Escape(usage "${CMAKE_MATCH_2}")
    string(APPEND synopsis ".B ${usage}\n")
  elseif(line STREQUAL "Commands:")
    set(in_commands TRUE)
  elseif(in_commands AND line MATCHES "^  +([a-z][a-z-]*) ")
    CommandSection(section ${CMAKE_MATCH_1})
    string(APPEND commands "${section}")
  endif()
endforeach()
string(APPEND synopsis ".fi")
if(commands STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help lists no commands")
endif()
string(REGEX REPLACE "\n$" "" commands "${commands}")

file(READ ${TEMPLATE} page)
Restore(synopsis "${synopsis}")
Restore(commands "${commands}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@SYNOPSIS@" "${synopsis}" page "${page}")
string(REPLACE "@COMMANDS@" "${commands}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
file(REMOVE_RECURSE ${help_folder})
