# Qt's and GoogleTest's headers are most of what a window source or a test
# compiles: each target that uses them parses them once, into a precompiled
# header, instead of once per source. Called for every target by
# tessivar_warnings; the headers are chosen when the directory is done, once
# the target's libraries are known.
set(tessivar_core_headers <QObject> <QString> <QStringList> <QList> <QTimer> <QThread> <QCoreApplication>)
set(tessivar_gui_headers <QImage> <QPainter> <QColor> <QFont> <QKeyEvent> <QOpenGLContext> <QOffscreenSurface>)
set(tessivar_opengl_headers <QOpenGLFunctions_3_3_Core>)
set(tessivar_widget_headers <QWidget> <QApplication> <QMainWindow> <QPlainTextEdit> <QLabel> <QPushButton>
    <QAction> <QMenu> <QMessageBox> <QFileDialog>)
set(tessivar_test_headers <gtest/gtest.h> <gmock/gmock.h>)

# Pairs of a pattern over a target's libraries and the headers it calls for.
set(tessivar_header_rules
  "GTest::" tessivar_test_headers
  "Qt6::|tessivar_(ui|render|fastrun)" tessivar_core_headers
  "Qt6::(Gui|Widgets|OpenGL)|tessivar_(ui|render)" tessivar_gui_headers
  "Qt6::OpenGL|tessivar_render|tessivar_ui([^_]|$)" tessivar_opengl_headers
  "Qt6::Widgets|tessivar_(ui|render)" tessivar_widget_headers)

function(tessivar_precompile_headers target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if(NOT libraries)
    return()
  endif()
  set(headers)
  list(LENGTH tessivar_header_rules count)
  math(EXPR last "${count} - 1")
  foreach(index RANGE 0 ${last} 2)
    math(EXPR next "${index} + 1")
    list(GET tessivar_header_rules ${index} pattern)
    list(GET tessivar_header_rules ${next} list_name)
    if(libraries MATCHES "${pattern}")
      list(APPEND headers ${${list_name}})
    endif()
  endforeach()
  if(headers)
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()
