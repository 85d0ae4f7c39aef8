# Makes folder DST hold exactly the files of folder SRC (except the names in
# EXCLUDE, a ;-list), copying only the files that differ.
#   cmake -DSRC=... -DDST=... [-DEXCLUDE=a;b] -P sync_folder.cmake
file(GLOB_RECURSE wanted RELATIVE ${SRC} ${SRC}/*)
list(REMOVE_ITEM wanted ${EXCLUDE})
foreach(name IN LISTS wanted)
  get_filename_component(dir ${DST}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${name} ${DST}/${name} ONLY_IF_DIFFERENT)
endforeach()
file(GLOB_RECURSE present RELATIVE ${DST} ${DST}/*)
foreach(name IN LISTS present)
  if(NOT name IN_LIST wanted)
    file(REMOVE ${DST}/${name})
  endif()
endforeach()
