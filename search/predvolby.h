// The search's default settings: what the control window starts with and the scan command takes.
#pragma once

const int kPredvolenyStupen = 0;       // grey band 0, the values 0 to 31
const int kPredvolenaMinVelkost = 20;  // smallest width and height, pixels
const int kPredvolenePercento = 70;    // smallest share of its rectangle an object fills, percent
