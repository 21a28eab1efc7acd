# Read by cpack in a portable build folder: a package must hold the system install instead.
message(FATAL_ERROR "Packages hold the system install: configure a build folder with -DQUILL_SYSTEM_INSTALL=ON and run cpack there (see the README).")
