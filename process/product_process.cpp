#include "process/product_process.h"

#include "process/process_engine.h"
#include "process/product_steps.h"

namespace ravlo {

int runProductProcess(ProcessEngine& engine, std::string& E, int type) {
  switch (buildProductProcess(engine.context(), engine.kakko(), engine.sink(), E, type)) {
    case ProductOutcome::Built:
      return 1;
    case ProductOutcome::Failed:
      engine.fail();
      return 0;
    case ProductOutcome::Declined:
      break;
  }
  return 0;
}

}  // namespace ravlo
