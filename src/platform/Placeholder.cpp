int platform_placeholder() { return 0; }
