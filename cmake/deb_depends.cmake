# Run by CPack before it makes the Debian package: without dpkg-shlibdeps
# (package dpkg-dev), CPack would make one with no Depends, which installs
# on another machine and then fails for want of Qt.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_COMMAND file)
if(NOT DPKG_SHLIBDEPS OR NOT FILE_COMMAND)
  message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps and file to list its dependencies: "
    "scripts/install-deps.sh package-linux (make package-linux does it).")
endif()
