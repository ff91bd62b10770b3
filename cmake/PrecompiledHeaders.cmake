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

function(tessivar_precompile_headers target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if(NOT libraries)
    return()
  endif()
  set(headers)
  if(libraries MATCHES "GTest::")
    list(APPEND headers ${tessivar_test_headers})
  endif()
  if(libraries MATCHES "Qt6::|tessivar_(ui|render|fastrun)")
    list(APPEND headers ${tessivar_core_headers})
  endif()
  if(libraries MATCHES "Qt6::(Gui|Widgets|OpenGL)|tessivar_(ui|render)")
    list(APPEND headers ${tessivar_gui_headers})
  endif()
  if(libraries MATCHES "Qt6::OpenGL|tessivar_(ui|render)")
    list(APPEND headers ${tessivar_opengl_headers})
  endif()
  if(libraries MATCHES "Qt6::Widgets|tessivar_(ui|render)")
    list(APPEND headers ${tessivar_widget_headers})
  endif()
  if(headers)
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()
