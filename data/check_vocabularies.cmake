# Checks the vocabularies in the program's folder against their table (vocabularies/list.cmake):
# - each word list holds at least 100 entries of 2 to 20 printable ASCII characters, without blanks
#   at either end, none starting with "$" and none twice (the games lower-case every word);
# - the games load from each vocabulary file exactly that list, in order;
# - its header gives the table's version, description, author and copyright, and says "scrambled"
#   exactly when the table does;
# - every line ends with CR LF, the last one included.
# Usage: cmake -DTOOL=<keyvane-files> -DBIN_DIR=<program folder> -DLIST_DIR=<data/vocabularies>
#              -P check_vocabularies.cmake
cmake_minimum_required(VERSION 3.25)

set(kv_errors "")
set(kv_vocabulary_count 0)

# Macros, not functions: they add to kv_errors in the scope of the whole check.
macro(kv_error text)
  string(APPEND kv_errors "  ${text}\n")
endmacro()

# Runs the tool and gives its standard output as a list of lines.
macro(kv_tool_lines out name)
  execute_process(COMMAND "${TOOL}" ${ARGN} OUTPUT_VARIABLE ${out} ERROR_VARIABLE kv_stderr RESULT_VARIABLE kv_rc)
  if(NOT kv_rc EQUAL 0)
    kv_error("${name}: keyvane-files ${ARGV2} failed (${kv_rc}): ${kv_stderr}")
  endif()
  string(REGEX REPLACE "\n$" "" ${out} "${${out}}")
  string(REPLACE "\n" ";" ${out} "${${out}}")
endmacro()

macro(kv_vocabulary source)
  cmake_parse_arguments(V "SCRAMBLED" "OUTPUT;VERSION;DESCRIPTION;AUTHOR;COPYRIGHT" "" ${ARGN})
  math(EXPR kv_vocabulary_count "${kv_vocabulary_count} + 1")
  set(output "${BIN_DIR}/${V_OUTPUT}")

  # The word list.
  file(STRINGS "${LIST_DIR}/${source}" entries ENCODING UTF-8)
  list(FILTER entries EXCLUDE REGEX "^$")
  list(LENGTH entries count)
  if(count LESS 100)
    kv_error("${source}: only ${count} entries")
  endif()
  set(seen "")
  foreach(entry IN LISTS entries)
    string(LENGTH "${entry}" length)
    string(TOLOWER "${entry}" key)
    if(length LESS 2 OR length GREATER 20)
      kv_error("${source}: \"${entry}\" has ${length} characters")
    elseif(NOT entry MATCHES "^[ -~]*$")
      kv_error("${source}: \"${entry}\" is not plain ASCII")
    elseif(entry MATCHES "^[ \t]|[ \t]$")
      kv_error("${source}: \"${entry}\" has blanks at an end")
    elseif(entry MATCHES "^\\$")
      kv_error("${source}: \"${entry}\" starts with $ and would be read as a header line")
    elseif(key IN_LIST seen)
      kv_error("${source}: \"${entry}\" occurs twice")
    endif()
    list(APPEND seen "${key}")
  endforeach()

  if(NOT EXISTS "${output}")
    kv_error("${V_OUTPUT}: missing from the program's folder")
  else()
    # What the games load from the file.
    kv_tool_lines(words "${V_OUTPUT}" words "${output}")
    list(LENGTH words loaded)
    if(NOT loaded EQUAL count)
      kv_error("${V_OUTPUT}: the games load ${loaded} entries, the list has ${count}")
    endif()
    foreach(word entry IN ZIP_LISTS words entries)
      if(NOT "${word}" STREQUAL "${entry}")
        kv_error("${V_OUTPUT}: the games load \"${word}\" where the list has \"${entry}\"")
        break()
      endif()
    endforeach()

    # Its header.
    kv_tool_lines(header "${V_OUTPUT}" header "${output}")
    set(crypted 0)
    if(V_SCRAMBLED)
      set(crypted 1)
    endif()
    foreach(line "status: 1" "version: ${V_VERSION}" "description: ${V_DESCRIPTION}" "author: ${V_AUTHOR}"
                 "copyright: ${V_COPYRIGHT}" "crypted: ${crypted}")
      if(NOT line IN_LIST header)
        kv_error("${V_OUTPUT}: the header lacks \"${line}\"")
      endif()
    endforeach()

    # Its line ends, byte by byte: every line feed follows a carriage return.
    file(READ "${output}" hex HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${hex}")
    string(REGEX MATCHALL "0a " line_feeds "${bytes}")
    string(REGEX MATCHALL "0d 0a " line_ends "${bytes}")
    list(LENGTH line_feeds feeds)
    list(LENGTH line_ends ends)
    if(NOT feeds EQUAL ends OR NOT bytes MATCHES "0d 0a $")
      kv_error("${V_OUTPUT}: ${feeds} line feeds, ${ends} CR LF pairs, or no CR LF at the end")
    endif()
  endif()
endmacro()

include("${LIST_DIR}/list.cmake")

if(kv_vocabulary_count LESS 5)
  kv_error("only ${kv_vocabulary_count} vocabularies in the table")
endif()
if(NOT kv_errors STREQUAL "")
  message(FATAL_ERROR "Vocabulary check failed:\n${kv_errors}")
endif()
message(STATUS "${kv_vocabulary_count} vocabularies checked")
