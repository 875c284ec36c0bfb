#include <QLabel>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildInternetPage(QWidget* page, PageBuilder& build) {
  TForm1& form1 = build.form1();
  Form& form = build.form();

  build.label(page, form.Label50, QRect(16, 18, 110, 22));
  build.edit(page, form.ProxyHostEdit, QRect(130, 16, 260, 24));
  build.label(page, form.Label51, QRect(16, 50, 110, 22));
  build.edit(page, form.ProxyPortEdit, QRect(130, 48, 80, 24));
  build.edit(page, form.URLEdit, QRect(220, 48, 170, 24));

  // Explanatory texts, each followed by the addresses it explains.
  const auto address = [&](const Label& control, int top) {
    const std::string name = control.name();
    build.linkLabel(page, control, QRect(40, top, 520, 20),
                    [&form1, name] { form1.Label52Click(name); });
  };
  build.label(page, form.Label45, QRect(16, 92, 550, 20));
  address(form.Label52, 112);
  build.label(page, form.Label46, QRect(16, 144, 550, 20));
  address(form.Label53, 164);
  build.label(page, form.Label47, QRect(16, 196, 550, 20));
  address(form.Label54, 216);
  build.label(page, form.Label49, QRect(16, 248, 550, 20));
  address(form.Label55, 268);
  address(form.Label56, 288);
  address(form.Label59, 308);
}

}  // namespace numora
