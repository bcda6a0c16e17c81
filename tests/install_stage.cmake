# cmake -DBUILD=<build folder> -DSTAGE=<folder> -P install_stage.cmake
# Installs the build into STAGE as `make install DESTDIR=STAGE PREFIX=/usr`
# does, into an empty folder so nothing of an earlier run is left in it.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
