# The hardening Debian builds its programs with, in every build of the game and its
# tools: stack protector (strong), _FORTIFY_SOURCE, stack clash protection,
# control-flow protection, read-only relocations bound at start (RELRO, BIND_NOW)
# and position-independent executables (which Debian's compilers make by default,
# as do those of the other distributions; hardening-check proves it of the package).
#
# The flags come from dpkg-buildflags where it is installed: what it adds with every
# hardening feature on and not with every feature off. Older dpkg (Debian 12) knows
# no stack clash or control-flow feature, and a machine without dpkg has none of
# it, so each protection it does not give is added by hand. A flag that is already
# in the compiler or linker flags (a package build passes dpkg-buildflags' own) is
# not added twice. The sanitizer and fuzz builds keep their own instrumentation
# instead: _FORTIFY_SOURCE and the stack protector get in the way of its checks.
option(DROVANTA_HARDEN "Build with Debian's hardening flags" ON)
if(NOT DROVANTA_HARDEN OR DROVANTA_SANITIZE OR DROVANTA_FUZZ)
  message(STATUS "Hardening: off")
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  message(STATUS "Hardening: not known for ${CMAKE_CXX_COMPILER_ID}")
  return()
endif()
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

# dpkg-buildflags' hardening flags, one kind (CPPFLAGS, CXXFLAGS, LDFLAGS).
function(drovanta_dpkg_hardening kind out)
  set(flags)
  if(DPKG_BUILDFLAGS)
    foreach(features on off)
      if(features STREQUAL on)
        set(option hardening=+all)
      else()
        set(option hardening=-all)
      endif()
      execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${option}
          --unset=DEB_${kind}_APPEND --unset=DEB_${kind}_SET --unset=DEB_${kind}_STRIP
          ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE got OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
      endif()
      separate_arguments(got UNIX_COMMAND "${got}")
      set(flags_${features} ${got})
    endforeach()
    set(flags ${flags_on})
    if(flags_off)
      list(REMOVE_ITEM flags ${flags_off})
    endif()
  endif()
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
drovanta_dpkg_hardening(CPPFLAGS dpkg_cppflags)
drovanta_dpkg_hardening(CXXFLAGS dpkg_cxxflags)
drovanta_dpkg_hardening(LDFLAGS dpkg_ldflags)
# -Wformat and -Werror=format-security come with Debian's format feature; they are
# warnings, not protections, and -Wall already has the first.
list(REMOVE_ITEM dpkg_cxxflags -Wformat -Werror=format-security)

# Each protection: the flag dpkg-buildflags gives for it, or the one set by hand.
# _FORTIFY_SOURCE needs the optimiser; an unoptimised (Debug) build leaves it out
# rather than warn on every file.
set(hand_compile -fstack-protector-strong -fstack-clash-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
  list(APPEND hand_compile -fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "aarch64|arm64")
  list(APPEND hand_compile -mbranch-protection=standard)
endif()
set(compile_flags)
foreach(flag IN LISTS hand_compile)
  string(REGEX REPLACE "=.*" "" stem "${flag}")
  string(REGEX REPLACE "-strong$" "" stem "${stem}")
  set(from_dpkg)
  foreach(given IN LISTS dpkg_cxxflags)
    if(given MATCHES "^${stem}")
      set(from_dpkg ${given})
    endif()
  endforeach()
  list(APPEND compile_flags ${from_dpkg})
  if(NOT from_dpkg)
    list(APPEND compile_flags ${flag})
  endif()
endforeach()
# Whatever else dpkg-buildflags counts as hardening goes in too.
list(APPEND compile_flags ${dpkg_cxxflags})
list(REMOVE_DUPLICATES compile_flags)

set(fortify -D_FORTIFY_SOURCE=2)
foreach(given IN LISTS dpkg_cppflags)
  if(given MATCHES "^-D_FORTIFY_SOURCE=")
    set(fortify ${given})
  endif()
endforeach()

set(link_flags -Wl,-z,relro -Wl,-z,now ${dpkg_ldflags})
list(REMOVE_DUPLICATES link_flags)

# What the caller already passes (a package build's CXXFLAGS and LDFLAGS) stays as it is.
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
set(given_compile " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}} ")
set(given_link " ${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${build_type}} ")
set(added)
foreach(flag IN LISTS compile_flags)
  string(REGEX REPLACE "=.*" "" stem "${flag}")
  if(given_compile MATCHES " ${stem}[ =]" OR (flag MATCHES "^-fstack-protector" AND given_compile MATCHES " -fstack-protector"))
    continue()
  endif()
  string(MAKE_C_IDENTIFIER "DROVANTA_CXX_HAS${flag}" check)
  check_cxx_compiler_flag(${flag} ${check})
  if(${check})
    add_compile_options(${flag})
    list(APPEND added ${flag})
  endif()
endforeach()
if(NOT given_compile MATCHES " -D_FORTIFY_SOURCE=")
  # An earlier definition (some compilers define it themselves) would clash.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;${fortify}>")
  list(APPEND added "${fortify} (optimised builds)")
endif()
foreach(flag IN LISTS link_flags)
  string(FIND "${given_link}" " ${flag} " at)
  if(NOT at EQUAL -1)
    continue()
  endif()
  string(MAKE_C_IDENTIFIER "DROVANTA_LD_HAS${flag}" check)
  check_linker_flag(CXX ${flag} ${check})
  if(${check})
    add_link_options(${flag})
    list(APPEND added ${flag})
  endif()
endforeach()

list(JOIN added " " added)
if(DPKG_BUILDFLAGS)
  message(STATUS "Hardening (dpkg-buildflags, then by hand): ${added}")
else()
  message(STATUS "Hardening (by hand, no dpkg-buildflags): ${added}")
endif()
