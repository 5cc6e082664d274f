// placeholder: the program's entry until start-up is built.
int main() { return 1; }
