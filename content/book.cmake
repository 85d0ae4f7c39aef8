# The word book in the program folder: data/ built from the tables in book/,
# sound/ and help/ copied from here. The learner's own files are left to the program.
set(VELLORA_BOOK_DIR ${CMAKE_CURRENT_SOURCE_DIR}/book)
set(VELLORA_BOOK_TOOL_DIR ${CMAKE_SOURCE_DIR}/tools/book_builder)

add_library(vellora_book_source STATIC ${VELLORA_BOOK_TOOL_DIR}/book_source.cpp)
target_include_directories(vellora_book_source PUBLIC ${CMAKE_SOURCE_DIR}/tools)

add_executable(vellora_book_builder ${VELLORA_BOOK_TOOL_DIR}/main.cpp ${VELLORA_BOOK_TOOL_DIR}/book_writer.cpp)
target_link_libraries(vellora_book_builder PRIVATE vellora_book_source vellora_core)

set(data_dir ${VELLORA_APP_DIR}/data)
set(book_files ${data_dir}/word.dat ${data_dir}/word.lst ${data_dir}/sens.dat)
file(GLOB book_tables CONFIGURE_DEPENDS ${VELLORA_BOOK_DIR}/lists/*.tsv ${VELLORA_BOOK_DIR}/sentences/*.tsv)
# The index files the program derives from the book would be stale: it rebuilds them.
add_custom_command(OUTPUT ${book_files}
  COMMAND vellora_book_builder ${VELLORA_BOOK_DIR} ${data_dir}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${data_dir}/WSCross.dat ${data_dir}/wlsen2.dat ${data_dir}/wlSen2.dat
  DEPENDS vellora_book_builder ${book_tables}
  COMMENT "Building the word book: word.dat, word.lst, sens.dat"
  VERBATIM)
add_custom_target(vellora_book_data DEPENDS ${book_files})

# Copies a content folder into the program folder when one of its files changed.
function(vellora_sync_folder target source destination)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${source}/*)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSRC=${source} -DDST=${destination} -DEXCLUDE=manifest.tsv
            -P ${CMAKE_CURRENT_SOURCE_DIR}/sync_folder.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${CMAKE_CURRENT_SOURCE_DIR}/sync_folder.cmake
    COMMENT "Copying ${source} to ${destination}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${stamp})
endfunction()
vellora_sync_folder(vellora_book_sounds ${CMAKE_CURRENT_SOURCE_DIR}/sound ${VELLORA_APP_DIR}/sound)
vellora_sync_folder(vellora_book_help ${CMAKE_CURRENT_SOURCE_DIR}/help ${VELLORA_APP_DIR}/help)

add_dependencies(vellora_app_folder vellora_book_data vellora_book_sounds vellora_book_help)

install(FILES ${book_files} DESTINATION data)
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/sound/ DESTINATION sound PATTERN manifest.tsv EXCLUDE)
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/help/ DESTINATION help)
