// ravlo: the fraction calculator's desktop program.
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
  return app.exec();
}
