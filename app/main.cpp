// ravlo: the fraction calculator's desktop program. `ravlo FILE.siki` opens the notebook on
// the file, as the desktop does for a notebook opened with the program.
#include <QFile>
#include <QStringList>
#include <iostream>

#include "app/bun_main_form.h"
#include "app/input_form.h"
#include "app/ravlo_application.h"
#include "notebook/note_context.h"

int main(int argc, char** argv) {
  ravlo::RavloApplication app(argc, argv);
  ravlo::BunMainForm form;
  ravlo::NotebookContext notebook(form);
  form.show();
  form.inputForm()->show();
  form.inputForm()->raise();
  // Qt has taken its own options out of the arguments by now.
  if (const QStringList args = QCoreApplication::arguments(); args.size() > 1) {
    if (args.size() > 2)
      std::cerr << "ravlo: one notebook at a time; opening " << args.at(1).toStdString() << '\n';
    notebook.openFile(QFile::encodeName(args.at(1)).toStdString());
  }
  return app.exec();
}
