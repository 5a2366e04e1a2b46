#include "framework/PrintInfo.h"

CPrintInfo::CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>(false)) {}
