# The default skin: content/Pic is the committed output of the skin painter
# (tools/skin_painter); the build copies it into the program folder when it changes.
file(GLOB_RECURSE VELLORA_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Pic/*)
set(VELLORA_SKIN_STAMP ${CMAKE_CURRENT_BINARY_DIR}/skin.stamp)
add_custom_command(
  OUTPUT ${VELLORA_SKIN_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VELLORA_APP_DIR}/Pic
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/Pic ${VELLORA_APP_DIR}/Pic
  COMMAND ${CMAKE_COMMAND} -E touch ${VELLORA_SKIN_STAMP}
  DEPENDS ${VELLORA_SKIN_FILES}
  COMMENT "Copying the skin into ${VELLORA_APP_DIR}/Pic"
  VERBATIM)
add_custom_target(vellora_skin DEPENDS ${VELLORA_SKIN_STAMP})
add_dependencies(vellora_app_folder vellora_skin)
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/Pic DESTINATION .)

# Re-painting the skin (not part of the normal build): repaints content/Pic in the source tree.
if(VELLORA_GUI)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/skin_painter ${CMAKE_BINARY_DIR}/tools/skin_painter)
  add_custom_target(vellora_paint_skin
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_CURRENT_SOURCE_DIR}/Pic
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:vellora_skin_painter> ${CMAKE_CURRENT_SOURCE_DIR}/Pic
    DEPENDS vellora_skin_painter
    COMMENT "Painting the skin into content/Pic"
    VERBATIM)
endif()
