/* configuration pages */
struct config_t {
    uint8_t  idle_level;      // target idle
    uint16_t cycle_time;
    uint8_t  fan_steps[3];
    uint8_t  spare ;
};
struct config_ext_t {
    uint8_t boost_level;
};
