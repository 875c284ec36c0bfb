#include "form/background_work.h"

namespace numora {

void runWorkHere(const BackgroundWork& work, const std::function<void()>& atProgressPoint,
                 bool showsEveryStep) {
  const WorkPoints points{[&] {
                            if (work.showProgress) work.showProgress();
                            if (atProgressPoint) atProgressPoint();
                          },
                          [&] {
                            if (showsEveryStep && work.showProgress) work.showProgress();
                          },
                          showsEveryStep};
  std::exception_ptr failure;
  try {
    work.compute(points);
  } catch (...) {
    failure = std::current_exception();
  }
  if (work.showProgress) work.showProgress();
  if (work.finish) work.finish(failure);
}

}  // namespace numora
