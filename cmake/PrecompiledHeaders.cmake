# Precompiled headers, for clang (the sanitizer build of scripts/test.sh).
# Parsing the Qt and QCustomPlot headers is most of the compile time of a
# window file (QCustomPlot's header alone pulls in the whole of Qt Core, Gui,
# Widgets and Print Support), and GoogleTest's header a good part of a short
# test file's. Only library headers are precompiled, never the project's own,
# so a change to ours rebuilds no precompiled header.
#
# Not for GCC: its precompiled header is an image of the compiler's whole
# state, which every file loads in full (some 400 MB for the Qt set), so that
# only the files that include QCustomPlot gain; and it changes GCC 12's
# inlining enough to raise false -Warray-bounds errors inside std::string.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(brevant_pch_default ON)
else()
  set(brevant_pch_default OFF)
endif()
option(BREVANT_PCH "Precompile the Qt and GoogleTest headers (meant for clang)"
  ${brevant_pch_default})

# The Qt set is compiled once, in a target of its own, and reused by every
# target that links Qt Widgets: they all build position-independent code (Qt
# requires it) with the same options. Clang takes it whatever other macros a
# target defines (QT_TESTLIB_LIB...) or lacks (QT_PRINTSUPPORT_LIB).
if(BREVANT_PCH AND BREVANT_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
  find_package(QCustomPlotQt6 REQUIRED)
  add_library(brevant_qt_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/precompiled_headers.cpp)
  target_link_libraries(brevant_qt_headers PRIVATE
    QCustomPlotQt6::QCustomPlotQt6 Qt6::Widgets Qt6::PrintSupport)
  target_precompile_headers(brevant_qt_headers PRIVATE <qcustomplot.h>)
  brevant_warnings(brevant_qt_headers)
endif()

# brevant_qt_precompiled(TARGET...): targets that link Qt Widgets reuse the Qt set.
function(brevant_qt_precompiled)
  if(BREVANT_PCH AND BREVANT_GUI)
    foreach(target ${ARGN})
      target_precompile_headers(${target} REUSE_FROM brevant_qt_headers)
    endforeach()
  endif()
endfunction()

# brevant_precompiled(TARGET HEADER...): headers precompiled for one target
# with its own options; worth it from two files on.
function(brevant_precompiled target)
  get_target_property(sources ${target} SOURCES)
  list(LENGTH sources count)
  if(BREVANT_PCH AND count GREATER 1)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
