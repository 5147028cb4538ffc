# The program is built as a stack of static libraries (see ARCHITECTURE.md).
# Every library lists its sources explicitly and names the libraries below
# it that it may use. Sources include headers by their path from the
# repository root ("storage/CIniReader.h"), but no library gets the root as
# include directory: each one publishes only its own headers, linked into
# ${CMAKE_BINARY_DIR}/include/<target>/ under the same relative paths. So an
# include of a header from a library that is not below fails to compile.

# Links the headers among SOURCES (paths relative to the current source
# directory) into the target's own include directory and adds it: PUBLIC for
# libraries, PRIVATE for executables.
function(corvane_publish_headers target scope)
  set(stage "${CMAKE_BINARY_DIR}/include/${target}")
  file(REMOVE_RECURSE "${stage}")
  foreach(source IN LISTS ARGN)
    if(source MATCHES "\\.h$")
      get_filename_component(absolute "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
      file(RELATIVE_PATH relative "${CMAKE_SOURCE_DIR}" "${absolute}")
      get_filename_component(directory "${stage}/${relative}" DIRECTORY)
      file(MAKE_DIRECTORY "${directory}")
      file(CREATE_LINK "${absolute}" "${stage}/${relative}" SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} "${stage}")
endfunction()

# corvane_add_layer(<target> SOURCES <files...> DEPENDS <targets...>)
# A static library of the stack. DEPENDS are the libraries below it that it
# may include and link (PUBLIC, so users see them too) and Qt modules.
function(corvane_add_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;DEPENDS")
  add_library(${target} STATIC ${ARG_SOURCES})
  corvane_publish_headers(${target} PUBLIC ${ARG_SOURCES})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()
