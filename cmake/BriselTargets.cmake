# Warnings for our own targets only; third-party headers come in as system includes.
function(brisel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(BRISEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The include root of one layer: a folder in the build tree holding links to the layer's source
# folders, so that "folder/File.h" names only what the layer's target was given.
set(BRISEL_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)
function(brisel_layer_include_root layer)
  set(root ${BRISEL_INCLUDE_ROOTS}/${layer})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
endfunction()

# One Qt layer: a static library of the folder's sources, seeing its own include root and,
# through inner, those of the layers inside it.
function(brisel_qt_layer target folder inner)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/app/main\\.cpp$")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${BRISEL_INCLUDE_ROOTS}/${folder})
  target_link_libraries(${target} PUBLIC ${inner} Qt6::Widgets Qt6::Network)
  brisel_warnings(${target})
endfunction()

# A second, earlier guard for the direction of includes: configuring fails, naming the file,
# when a layer's source includes a folder outside it (the compiler would refuse it later, with a
# less telling message), or when the core includes Qt.
function(brisel_check_layer_includes)
  set(core_folders domain formats store editing Zel LibMac)
  # folder|the folders it must not include, comma-separated
  set(rules "framework|views,app" "views|app")
  foreach(folder IN LISTS core_folders)
    list(APPEND rules "${folder}|framework,views,app")
  endforeach()
  foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    string(REPLACE "," ";" parts "${parts}")
    list(GET parts 0 folder)
    list(SUBLIST parts 1 -1 forbidden)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h
      ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    string(JOIN "|" alternatives ${forbidden})
    set(pattern "#include \"(${alternatives})/")
    if(folder IN_LIST core_folders)
      set(pattern "${pattern}|#include <Q")
    endif()
    foreach(file IN LISTS files)
      file(STRINGS ${file} hits REGEX "${pattern}")
      if(hits)
        file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR} ${file})
        message(FATAL_ERROR "${name} includes against the direction of the layers: ${hits}")
      endif()
    endforeach()
  endforeach()
endfunction()
