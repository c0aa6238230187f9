# The browser build (emcmake): the game's libraries as they are, the web platform, and a page of
# our own. The linker writes gloamdelve.js + gloamdelve.wasm + gloamdelve.data (the art and the
# overworld map, LZ4-packed); index.html and page.js are copied beside them.
set(GLOAMDELVE_WEB_DATA "${PROJECT_SOURCE_DIR}/build/data" CACHE PATH
    "The painted data folder (makeart's output) packaged with the page")
if(NOT EXISTS "${GLOAMDELVE_WEB_DATA}/map")
  message(FATAL_ERROR "No game data in ${GLOAMDELVE_WEB_DATA}: build the native gloam_data target first")
endif()

set(web_library ${PROJECT_SOURCE_DIR}/src/platform/web/web_page.js)
add_executable(gloamdelve ${PROJECT_SOURCE_DIR}/src/program.cpp ${PROJECT_SOURCE_DIR}/src/main.cpp)
target_include_directories(gloamdelve PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(gloamdelve PRIVATE ${GLOAMDELVE_WARNINGS})
target_compile_definitions(gloamdelve PRIVATE GLOAMDELVE_VERSION="${PROJECT_VERSION}")
target_link_libraries(gloamdelve PRIVATE shell platform_web)
target_link_options(gloamdelve PRIVATE
  -sLEGACY_GL_EMULATION=1 -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864 -sFORCE_FILESYSTEM=1 -sLZ4=1
  "-sEXPORTED_RUNTIME_METHODS=['FS','ccall','allocateUTF8']" "-sEXPORTED_FUNCTIONS=['_main','_malloc']" "-sASYNCIFY_IMPORTS=['gloam_web_yield']" --js-library ${web_library}
  --preload-file "${GLOAMDELVE_WEB_DATA}@/data")
set_target_properties(gloamdelve PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} SUFFIX ".js" LINK_DEPENDS ${web_library})

foreach(page_file index.html page.js)
  configure_file(${PROJECT_SOURCE_DIR}/web/${page_file} ${CMAKE_BINARY_DIR}/${page_file} COPYONLY)
endforeach()
