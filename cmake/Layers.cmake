# Each source directory is one library, and a library sees the headers of
# exactly the libraries it links. `qb_layer(target)` gives a library an
# include root of its own, holding links to the headers of its directory only
# (not of its subdirectories, which are libraries of their own), so that
# `#include "terrain/HeightGrid.h"` compiles only in a target that links
# qb_terrain, directly or through a library that does. The layering test
# checks the rest: that every include is named by a direct link and points
# down the layers.
function(qb_layer target)
  file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" key ${dir})
  set(root ${PROJECT_BINARY_DIR}/layers/${key})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${dir})
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(header ${headers})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${dir}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
  set_property(GLOBAL APPEND PROPERTY QB_LAYERS "${target}=${dir}")
endfunction()

# Writes FILE with one line per layered library: its directory, a colon and
# the directories of the layered libraries it links directly.
function(qb_write_layer_manifest file)
  get_property(layers GLOBAL PROPERTY QB_LAYERS)
  set(dirs)
  foreach(entry ${layers})
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 target)
    list(GET pair 1 dir)
    set(dir_of_${target} ${dir})
  endforeach()
  set(text "")
  foreach(entry ${layers})
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 target)
    list(GET pair 1 dir)
    get_target_property(links ${target} LINK_LIBRARIES)
    set(linked)
    foreach(link ${links})
      if(DEFINED dir_of_${link})
        list(APPEND linked ${dir_of_${link}})
      endif()
    endforeach()
    list(JOIN linked " " linked)
    string(APPEND text "${dir}: ${linked}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
