#pragma once
// The place and time page of each species group: the page itself, given the group's code.
#include "pages/common/CommonForm01.h"

class CCommonForm_01_Hamster : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Hamster)
public:
    CCommonForm_01_Hamster() : CCommonForm_01(kHamster) {}
};

class CCommonForm_01_Moss : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Moss)
public:
    CCommonForm_01_Moss() : CCommonForm_01(kMoss) {}
};

class CCommonForm_01_Fungi : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Fungi)
public:
    CCommonForm_01_Fungi() : CCommonForm_01(kFungi) {}
};

class CCommonForm_01_Deer : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Deer)
public:
    CCommonForm_01_Deer() : CCommonForm_01(kDeer) {}
};

class CCommonForm_01_Tortoise : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Tortoise)
public:
    CCommonForm_01_Tortoise() : CCommonForm_01(kTortoise) {}
};

class CCommonForm_01_BatCaves : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_BatCaves)
public:
    CCommonForm_01_BatCaves() : CCommonForm_01(kBatCaves) {}
};

class CCommonForm_01_BatHouses : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_BatHouses)
public:
    CCommonForm_01_BatHouses() : CCommonForm_01(kBatHouses) {}
};

class CCommonForm_01_BatForests : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_BatForests)
public:
    CCommonForm_01_BatForests() : CCommonForm_01(kBatForests) {}
};

class CCommonForm_01_Fish : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Fish)
public:
    CCommonForm_01_Fish() : CCommonForm_01(kFish) {}
};

class CCommonForm_01_Amphibians : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Amphibians)
public:
    CCommonForm_01_Amphibians() : CCommonForm_01(kAmphibians) {}
};

class CCommonForm_01_Reptiles : public CCommonForm_01 {
    DECLARE_DYNCREATE(CCommonForm_01_Reptiles)
public:
    CCommonForm_01_Reptiles() : CCommonForm_01(kReptiles) {}
};
