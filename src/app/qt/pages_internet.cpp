#include <QLabel>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildInternetPage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  build.label(page, form.Label50, QRect(16, 18, 110, 22));
  build.edit(page, form.ProxyHostEdit, QRect(130, 16, 260, 24));
  build.label(page, form.Label51, QRect(16, 50, 110, 22));
  build.edit(page, form.ProxyPortEdit, QRect(130, 48, 80, 24));
  build.edit(page, form.URLEdit, QRect(220, 48, 170, 24));
  build.label(page, form.Label60, QRect(16, 82, 110, 22));
  build.edit(page, form.ResultsSiteEdit, QRect(130, 80, 430, 24));
  build.checkBox(page, form.AnyCertificateCheckBox, QRect(130, 110, 430, 22));

  // Explanatory texts, each followed by the addresses it explains.
  const auto address = [&](const Label& control, int top) {
    const std::string& name = control.name();
    build.linkLabel(page, control, QRect(40, top, 520, 20), build.handler(name + "Click"));
  };
  build.label(page, form.Label45, QRect(16, 150, 550, 20));
  address(form.Label52, 170);
  build.label(page, form.Label46, QRect(16, 202, 550, 20));
  address(form.Label53, 222);
  build.label(page, form.Label47, QRect(16, 254, 550, 20));
  address(form.Label54, 274);
  build.label(page, form.Label49, QRect(16, 306, 550, 20));
  address(form.Label55, 326);
  address(form.Label56, 346);
  address(form.Label59, 366);
}

}  // namespace numora
