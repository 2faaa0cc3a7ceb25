# Precompiled headers, with clang (the sanitized build and the fuzz build):
# the Qt and standard headers most files include are parsed once per library
# instead of once per file, and the test and tool executables reuse their
# library's header (a test file includes <QtTest>, which is the whole of
# QtCore). GCC reads its whole header back for every file (200 to 340 MB
# here, with the debugging information), which cost as much as it saved:
# with GCC nothing is precompiled.
#
#   examsim_pch(<target> core|ui|testcore|testui)   a header of its own
#   examsim_pch_reuse(<target> <from>)              the header of <from>
#
# EXAMSIM_PCH=OFF builds without them.
option(EXAMSIM_PCH "Precompile the Qt and standard headers (clang only)" ON)

set(EXAMSIM_PCH_core
  <algorithm> <array> <cmath> <functional> <memory> <optional> <vector>
  <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QList>
  <QRectF> <QString> <QStringList> <QStringView>)
set(EXAMSIM_PCH_ui ${EXAMSIM_PCH_core}
  <QAction> <QApplication> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu>
  <QMouseEvent> <QPainter> <QPixmap> <QPointer> <QScreen> <QTextEdit> <QTimer>
  <QWidget>)
set(EXAMSIM_PCH_test <QtTest> <QElapsedTimer> <QJsonArray> <QJsonDocument>
  <QJsonObject> <QProcess> <QTemporaryDir>)
set(EXAMSIM_PCH_testcore ${EXAMSIM_PCH_core} ${EXAMSIM_PCH_test})
set(EXAMSIM_PCH_testui ${EXAMSIM_PCH_ui} ${EXAMSIM_PCH_test})

set(EXAMSIM_PCH_ON OFF)
if(EXAMSIM_PCH AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(EXAMSIM_PCH_ON ON)
endif()

function(examsim_pch target kind)
  if(EXAMSIM_PCH_ON)
    target_precompile_headers(${target} PRIVATE ${EXAMSIM_PCH_${kind}})
  endif()
endfunction()

function(examsim_pch_reuse target from)
  if(EXAMSIM_PCH_ON)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()
