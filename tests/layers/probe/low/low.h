#pragma once
int lowValue();
