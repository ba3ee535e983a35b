#pragma once
// The pictures of the element tree and of the data categories (imlIconsTree1): one
// drawing per picture key, each a shape, a colour and a letter of its own, so the kinds
// of node can be told apart at a glance.

#include "TreeNodes.h"

void addElementPictures(ImageList &images);
