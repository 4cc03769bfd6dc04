#include "reportengine/ReportBand.h"

ReportBand::ReportBand(Kind kind, const QString& name, double height) : m_kind(kind), m_name(name), m_height(height) {}
