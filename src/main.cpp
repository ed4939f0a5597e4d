#include "window/application.h"

int main(int argc, char** argv) { return answerbook::runApplication(argc, argv); }
