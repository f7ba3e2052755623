struct config_t {
    uint8_t level;
    uint16_t wide;
    uint8_t g, h;
} config;
};
