# Delay-loaded imports. GNU ld has no /DELAYLOAD, so dlltool makes an import library
# whose functions load their DLL on the first call, through __delayLoadHelper2 of
# mingw-w64's runtime (libmingwex, linked by default). A system library the first
# window does not call is then not loaded, nor initialised, at start-up.
#
# cmake/delay/<dll>.def lists exactly the functions we call from <dll>, with the
# argument sizes of their i686 stdcall names (@N). The i686 library keeps the
# decorated symbols the compiler asks for and imports the plain names (--kill-at);
# x86_64 has no decorations, so they are stripped from its copy of the list.
#
# A function missing from a list fails to link, except one of shell32 or comdlg32: GCC
# adds both to every Windows program's libraries and would quietly import it the
# ordinary way, so the library would load at start-up again (tests/proc/StartupTest.cpp
# notices).
#
# binutils' x86_64 thunk saves the integer argument registers but not xmm0-xmm3: only
# functions without floating-point arguments may be listed.
#
#   twk_delay_import(<dll> [<file>])  makes the interface library twk_delay_<dll>; a
#   target linking it calls <dll>'s listed functions through the delayed import.
#   <file> is the library's file name when it is not <dll>.dll (winspool.drv).
function(twk_delay_import dll)
  set(file_name ${dll}.dll)
  if(ARGC GREATER 1)
    set(file_name ${ARGV1})
  endif()
  set(def_source ${PROJECT_SOURCE_DIR}/cmake/delay/${dll}.def)
  set(out_dir ${CMAKE_BINARY_DIR}/delay)
  set(library ${out_dir}/lib${dll}_delay.a)
  file(MAKE_DIRECTORY ${out_dir})
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(def_file ${out_dir}/${dll}.def)
    file(READ ${def_source} text)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
    file(CONFIGURE OUTPUT ${def_file} CONTENT "${text}" @ONLY)
    set(kill_at)
  else()
    set(def_file ${def_source})
    set(kill_at --kill-at)
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def_source})
  add_custom_command(OUTPUT ${library}
                     COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${def_file} --dllname ${file_name}
                             --output-delaylib ${library}
                     DEPENDS ${def_file}
                     WORKING_DIRECTORY ${out_dir}
                     COMMENT "Delay-import library for ${file_name}"
                     VERBATIM)
  add_custom_target(twk_delay_${dll}_lib DEPENDS ${library})
  add_library(twk_delay_${dll} INTERFACE)
  target_link_libraries(twk_delay_${dll} INTERFACE ${library})
  set_property(TARGET twk_delay_${dll} APPEND PROPERTY INTERFACE_LINK_DEPENDS ${library})
  add_dependencies(twk_delay_${dll} twk_delay_${dll}_lib)
endfunction()
