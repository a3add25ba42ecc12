// Brevant Dira — the filter dialog's "Custom Filter" page: filters made to order.
#pragma once

class QWidget;

namespace brevant {

// A picture and a notice offering filters made to order by e-mail.
QWidget* NewCustomFilterPage(QWidget* parent);

} // namespace brevant
