#pragma once
int highValue();
