# Install rules for the shared libraries and modules whose folders have no
# install rules of their own: the Win32 and MFC stand-ins, the IDE core, the
# CDK and runtime modules, the add-in. Everything loaded at run time goes to
# lib/olvaren, the installed module folder: the Win32 stand-in's LoadLibraryA
# looks for modules next to libolvwin32.so, and the programs in bin/ find
# the shared libraries there through their install RPATH. Included at the end
# of the top-level CMakeLists, once every target exists. Test modules are
# never installed.
foreach(t olvwin32 olvmfc olvide cdki42 cdlli42 olvaren_addin)
  if(TARGET ${t})
    install(TARGETS ${t} LIBRARY DESTINATION lib/olvaren)
  endif()
endforeach()
