/* A program that does nothing; it exists for its version resource. */
int start(void) { return 0; }
