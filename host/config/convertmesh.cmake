# Converts one mesh source into a Qt Quick 3D ".mesh" file with balsam.
# cmake -DBALSAM=<tool> -DSOURCE=<file.obj> -DWORK_DIR=<dir> -DOUTPUT=<file.mesh> -P convertmesh.cmake
# balsam names its output after the object inside the source and writes a QML
# file beside it; the model's one mesh file is all the host ships.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        ${BALSAM} --outputPath ${WORK_DIR} ${SOURCE}
    RESULT_VARIABLE result
    OUTPUT_QUIET ERROR_VARIABLE errors)
file(GLOB meshes ${WORK_DIR}/meshes/*.mesh)
list(LENGTH meshes count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "balsam made ${count} meshes from ${SOURCE} (exit ${result}): ${errors}")
endif()
get_filename_component(outputDirectory ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${outputDirectory})
file(COPY_FILE ${meshes} ${OUTPUT} ONLY_IF_DIFFERENT)
